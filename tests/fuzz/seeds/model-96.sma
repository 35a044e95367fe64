5
0, span
1, x
4, 
7.5, span
16.5, span

2
1, 1, 0, span
5, 1
0, 
1
2E8, 
1
0.0004, "quoted, with comma"
4
2, 1, 1, 1, span
3, 2, 1
1, "quoted, with comma"
4, 3, 1, 1, span
4, 5, 1, 1, x
2
4, 1, 1, 10, 0, 0, 
2, 1, 6, 0, 1
0.25, span
1
4, 2, 2, "quoted, with comma"
