
7
0, span
7, span
14, span
17, 
25.5, span
34, span
41.5, 
2
1
1, 0, "quoted, with comma"
7
1, 0, 
2
2E8, 
2E8, 
1
0.0004, 
6
1, 2, 1, 1, "quoted, with comma"
2, 3, 2, 1, 
3, 4, 1, 1, span
4, 5
2, 1, 
6, 5, 1, 1, span
6, 7, 1, 1, span
1
3, 2, 4, 11, 0.5, 0.5, span

2
6, -4, 3, "quoted, with comma"
3, -3, 0, 
