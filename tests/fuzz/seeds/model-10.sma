
5
0, x
6.5, span
14, x
22, span
24, span
2
1
1, 1, 
5, 1, 0, span

2
2E8, x
2.1e+11, 
2
0.0004, "quoted, with comma"
0.0004, "quoted, with comma"

4
2, 1, 2, 2, "quoted, with comma"
2, 3, 2, 1, span
3, 4, 2, 2, 
4, 5, 1, 2, "quoted, with comma"
1
4, 4, 7, 10, 1, 0.25, span
1
4, 4, 1, span
