6
0, span
6.5, "quoted, with comma"
11.5, x
16, span
24, 
25.5, span

2
1, 1, 1, 
6, 1, 0, x
1
2E8, "quoted, with comma"
1
0.0004, x
5
1, 2, 1, 1, 
2, 3, 1, 1, 
3, 4, 1, 1, 
5, 4, 1, 1, "quoted, with comma"
6, 5, 1, 1, 
4
1, 1, 3
6, 0.5, 0.25, span
3, 3, 1, 13, 0.5, 0, "quoted, with comma"
2, 4, 5, 6, 0, 0, 
2, 1, 1, -2, 0, 0, "quoted, with comma"
0
