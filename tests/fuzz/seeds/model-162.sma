5
0, "quoted, with comma"
4, x
9.5, 
13, 
16, span
2
1, 1, 0, x
5, 1, 0, x
1
2E8, x
2
0.0004, x
0.0004, 
4
1, 2, 1, 1, span
2, 3
1, 2, 
4, 3
1, 1, x
4, 5, 1, 1, "quoted, with comma"
3
2
1, 5, 10, 0.5, 0.5, "quoted, with comma"
4, 2, -1, -2, 0.5, 0.5, span
1, 1, 14, 13, 0, 0.25, 

2
1, 0, 1, 
5, -2, 3, "quoted, with comma"
